// One run per working folder across tabs: while the first tab's run waits for an answer, a second
// tab's run is refused with the program's own message and changes nothing; the first run goes on.
"use strict";
const { assert, expected, browserTest, readLog, waitForOutputEnding, waitForRunEnd, typeAnswers } =
  require("./support.js");

browserTest(async (context, server) => {
  const first = await context.newPage();
  await first.goto(server.url);
  await waitForOutputEnding(first, expected.firstQuestion);

  const second = await context.newPage();
  await second.goto(server.url);
  const alert = second.getByRole("alert");
  await alert.waitFor();
  // Refused before the banner, as a second run of the program is.
  assert.equal((await readLog(second)).out, "");
  assert.match(await alert.textContent(),
               /^Tessark: the folder "files" here is locked by another program, perhaps another Tessark run/);
  await waitForRunEnd(second);

  await first.bringToFront();
  await typeAnswers(first, expected.typicalInput);
  await waitForRunEnd(first);
  assert.equal((await readLog(first)).out, expected.typicalDialogue + expected.closingMessage);
  assert.equal(await first.getByRole("region", { name: "The Item.txt" }).textContent(),
               expected.typicalReport);

  // Once the first run has ended, the second tab may run.
  await second.getByRole("button", { name: "New item" }).click();
  await waitForOutputEnding(second, expected.firstQuestion);
  assert.equal(await second.getByRole("alert").count(), 0);
  assert.equal(await second.getByRole("region", { name: "The Item.txt" }).textContent(),
               expected.typicalReport);
});
