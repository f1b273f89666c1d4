// The working folder outlives the page: after a reload the earlier report is shown at once, as it
// was, until a run replaces it.
"use strict";
const { assert, expected, browserTest, waitForOutputEnding, typeAnswers } = require("./support.js");

browserTest(async (context, server) => {
  const page = await context.newPage();
  await page.goto(server.url);
  await typeAnswers(page, expected.typicalInput);
  await page.getByRole("button", { name: "New item" }).waitFor();

  await page.reload();
  await waitForOutputEnding(page, expected.firstQuestion);
  const report = page.getByRole("region", { name: "The Item.txt" });
  assert.equal(await report.textContent(), expected.typicalReport);
  // The work files came back too: the new run finds "files" and asks its first question.
  assert.equal(await page.getByRole("alert").count(), 0);
});
