// Stop ends the answers, as Ctrl+D does: at a menu that reads once, the run writes the work files
// but leaves the earlier report as it was, and ends with its message; "New item" has the focus.
"use strict";
const { assert, expected, browserTest, readLog, waitForOutputEnding, waitForRunEnd, typeAnswers,
        typicalRun, reportRegion, button, storedFolder } = require("./support.js");

browserTest(async (context, server) => {
  const page = await context.newPage();
  await page.goto(server.url);
  await typicalRun(page);
  const reportKept = (await storedFolder(page))["/tessark/The Item.txt"];

  await button(page, "New item").click();
  await typeAnswers(page, "1\n1\n1\n1\n3\n");
  await waitForOutputEnding(page, "What category of prefixes: ");
  await button(page, "Stop").click();
  await waitForRunEnd(page);
  assert.equal(await page.getByRole("alert").textContent(), "Tessark: the answers ended before " +
               "the item was described; \"The Item.txt\" was left as it was.\n");
  assert.ok(!(await readLog(page)).out.endsWith(expected.closingMessage));
  assert.equal(await reportRegion(page).textContent(), expected.typicalReport);
  assert.deepEqual((await storedFolder(page))["/tessark/The Item.txt"], reportKept);
  assert.ok(await button(page, "Stop").isDisabled());
  assert.ok(await button(page, "New item").evaluate((element) => element === document.activeElement));
});
