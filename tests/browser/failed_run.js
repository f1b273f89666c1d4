// Runs that end with status 1: a folder stands where a work file belongs (put into the stored
// working folder behind the page's back), or the answers end (Ctrl+D) where one is required.
// Standard error is shown as an alert, the log holds the dialogue as far as it went, and the
// earlier report stays.
"use strict";
const { assert, expected, browserTest, readLog, waitForOutputEnding, waitForRunEnd, typeAnswers,
        screenshot } = require("./support.js");

// Puts a folder at `path` into the page's stored working folder, as the browser's storage keeps
// it for Emscripten's IDBFS: one database per mounted folder, one entry per path.
function storeFolder(page, path) {
  return page.evaluate((folderPath) => new Promise((resolve, reject) => {
    const opened = indexedDB.open("/tessark", 21);
    opened.onerror = () => reject(opened.error);
    opened.onsuccess = () => {
      const transaction = opened.result.transaction("FILE_DATA", "readwrite");
      transaction.objectStore("FILE_DATA").put({ timestamp: new Date(), mode: 0o40777 },
                                               folderPath);
      transaction.oncomplete = () => resolve(opened.result.close());
      transaction.onerror = () => reject(transaction.error);
    };
  }), path);
}

browserTest(async (context, server) => {
  const page = await context.newPage();
  await page.goto(server.url);
  await typeAnswers(page, expected.typicalInput);
  const newItem = page.getByRole("button", { name: "New item" });
  await waitForRunEnd(page);

  await storeFolder(page, "/tessark/files/Prefix.dat");
  await newItem.click();
  await waitForOutputEnding(page, expected.firstQuestion);
  await typeAnswers(page, expected.typicalInput);
  const alert = page.getByRole("alert");
  await alert.waitFor();
  await waitForRunEnd(page);
  assert.match(await alert.textContent(), /^Tessark: cannot .*"files\/Prefix\.dat".*\n$/);
  assert.equal((await readLog(page)).out, expected.typicalDialogue);
  assert.equal(await page.getByRole("region", { name: "The Item.txt" }).textContent(),
               expected.typicalReport);
  await screenshot(page, "failed-run.png");

  // The category and quality menus take the end of the answers as no choice; the modifications
  // cannot.
  await newItem.click();
  await waitForOutputEnding(page, expected.firstQuestion);
  await typeAnswers(page, "1\n");
  await page.getByRole("textbox", { name: "Answer" }).press("Control+d");
  await waitForRunEnd(page);
  assert.equal((await readLog(page)).out, expected.endedAtModification);
  assert.match(await alert.textContent(), /^Tessark: .*\n$/);
  assert.equal(await page.getByRole("region", { name: "The Item.txt" }).textContent(),
               expected.typicalReport);
});
