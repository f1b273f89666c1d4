// The working folder outlives the page: after a reload the earlier report is shown at once, as it
// was, until a run replaces it; a run cut short by leaving the page changes none of it.
"use strict";
const { assert, expected, browserTest, waitForOutputEnding, waitForRunEnd, typeAnswers } =
  require("./support.js");

browserTest(async (context, server) => {
  const page = await context.newPage();
  await page.goto(server.url);
  await typeAnswers(page, expected.typicalInput);
  await waitForRunEnd(page);

  await page.reload();
  await waitForOutputEnding(page, expected.firstQuestion);
  const report = page.getByRole("region", { name: "The Item.txt" });
  assert.equal(await report.textContent(), expected.typicalReport);
  // The work files came back too: the new run finds "files" and asks its first question.
  assert.equal(await page.getByRole("alert").count(), 0);

  // A rare item left after its counts (the modifier list emptied, the report not yet written),
  // then the page left: the next visit finds the typical report and its work files as they were.
  await typeAnswers(page, "2\n11\n2\n15\n3\n3\n");
  await waitForOutputEnding(page, "Which Category of Prefixes: ");
  await page.reload();
  await waitForOutputEnding(page, expected.firstQuestion);
  assert.equal(await report.textContent(), expected.typicalReport);
  const modifierList = await page.evaluate(() => new Promise((resolve, reject) => {
    const opened = indexedDB.open("/tessark", 21);
    opened.onerror = () => reject(opened.error);
    opened.onsuccess = () => {
      const read = opened.result.transaction("FILE_DATA").objectStore("FILE_DATA")
        .get("/tessark/files/Modlist.dat");
      read.onsuccess = () => resolve(new TextDecoder().decode(read.result.contents));
    };
  }));
  assert.equal(modifierList, expected.typicalModifierList);
});
