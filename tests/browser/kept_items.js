// Every finished item is kept, newest first, under its category and base item, across reloads:
// each can be viewed, downloaded as "The Item.txt" byte for byte, and deleted. They are kept
// apart from the working folder, which stays the one database of the page.
"use strict";
const fs = require("node:fs");
const { assert, expected, browserTest, typeAnswers, waitForRunEnd, typicalRun, button } =
  require("./support.js");

const keptNames = (page) => page.locator("#kept summary span").allTextContents();

browserTest(async (context, server) => {
  const page = await context.newPage();
  await page.goto(server.url);
  await typicalRun(page);
  await button(page, "New item").click();
  await typeAnswers(page, "1\n1\n1\n2\n1\n2\n1\n");  // a Scimitar with the prefix Jagged
  await waitForRunEnd(page);
  assert.deepEqual(await keptNames(page), ["Sword: Scimitar", "Sword: Short Sword"]);

  await page.reload();
  assert.deepEqual(await keptNames(page), ["Sword: Scimitar", "Sword: Short Sword"]);
  const kept = page.getByRole("listitem").filter({ hasText: "Sword: Short Sword" });
  await kept.getByText("Sword: Short Sword").click();
  assert.equal(await kept.locator("pre").textContent(), expected.typicalReport);
  const [download] = await Promise.all([
    page.waitForEvent("download"),
    page.getByRole("link", { name: "Download Sword: Short Sword", exact: true }).click(),
  ]);
  assert.equal(download.suggestedFilename(), "The Item.txt");
  assert.equal(fs.readFileSync(await download.path(), "latin1"), expected.typicalReport);

  await button(page, "Delete Sword: Scimitar").click();
  assert.deepEqual(await keptNames(page), ["Sword: Short Sword"]);
  await page.reload();
  assert.deepEqual(await keptNames(page), ["Sword: Short Sword"]);
  assert.deepEqual((await page.evaluate(() => indexedDB.databases())).map(({ name }) => name),
                   ["/tessark"]);
});
