// The single-file page opened from disk (a file address, no server): the typical dialogue gives
// the same log and report as the site does, and Chromium keeps them for the next visit.
"use strict";
const path = require("node:path");
const { pathToFileURL } = require("node:url");
const { assert, build, expected, browserTest, readLog, waitForRunEnd, typeAnswers } =
  require("./support.js");

browserTest(async (context) => {
  const page = await context.newPage();
  const errors = [];
  page.on("pageerror", (error) => errors.push(error));
  await page.goto(pathToFileURL(path.join(build, "tessark.html")).href);
  await typeAnswers(page, expected.typicalInput);
  await waitForRunEnd(page);
  assert.equal((await readLog(page)).out, expected.typicalDialogue + expected.closingMessage);
  assert.equal(await page.getByRole("region", { name: "The Item.txt" }).textContent(),
               expected.typicalReport);
  assert.deepEqual(errors, []);
  // Nothing was fetched from anywhere: the page holds the engine and its .wasm.
  assert.equal(await page.evaluate(() =>
    performance.getEntriesByType("resource").filter((entry) => !entry.name.startsWith("blob:"))
      .length), 0);

  await page.reload();
  await page.getByRole("log", { name: "Dialogue" }).getByText("What classification").waitFor();
  assert.equal(await page.getByRole("region", { name: "The Item.txt" }).textContent(),
               expected.typicalReport);
});
