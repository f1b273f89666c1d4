// "Copy link" gives an address with the item's answers in its fragment. Opening it types them in,
// one by one, up to the last, which it leaves in the answer field: nothing is written or kept
// until the player gives it, and then the item is the one shared.
"use strict";
const { assert, expected, browserTest, readLog, waitForOutputEnding, waitForRunEnd, typicalRun,
        answerBox, reportRegion, button, storedFolder } = require("./support.js");

browserTest(async (context, server) => {
  await context.grantPermissions(["clipboard-read", "clipboard-write"], { origin: server.url });
  const first = await context.newPage();
  await first.goto(server.url);
  await typicalRun(first);
  await button(first, "Copy link").click();
  const link = await first.evaluate(() => navigator.clipboard.readText());
  assert.ok(link.startsWith(`${server.url}#`), link);
  const folder = await storedFolder(first);
  await first.close();

  const page = await context.newPage();
  await page.goto(link);
  await waitForOutputEnding(page, "Which Suffix: ");
  const answers = expected.typicalInput.split(/(?<=\n)/);
  assert.deepEqual(await readLog(page), { out: expected.typicalDialogue,
                                          answers: answers.slice(0, -1) });
  assert.equal(await answerBox(page).inputValue(), answers.at(-1).trim());
  assert.equal(page.url(), server.url);
  assert.deepEqual(await storedFolder(page), folder);
  assert.equal(await page.locator("#kept li").count(), 1);

  await answerBox(page).press("Enter");
  await waitForRunEnd(page);
  assert.equal((await readLog(page)).out, expected.typicalDialogue + expected.closingMessage);
  assert.equal(await reportRegion(page).textContent(), expected.typicalReport);
  assert.equal(await page.locator("#kept li").count(), 2);
});
