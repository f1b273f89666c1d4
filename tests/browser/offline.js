// The page as an app: a manifest with its icons and a favicon, all served; and a service worker
// that keeps the site, so that a second visit with no network at all still runs the dialogue.
"use strict";
const { assert, expected, browserTest, readLog, waitForOutputEnding, typicalRun, reportRegion } =
  require("./support.js");

browserTest(async (context, server) => {
  const page = await context.newPage();
  await page.goto(server.url);
  await waitForOutputEnding(page, expected.firstQuestion);
  const fetched = await page.evaluate(async () => {
    const manifest = await (await fetch(document.querySelector("link[rel=manifest]").href)).json();
    const types = [];
    for (const file of [...manifest.icons.map((icon) => icon.src), "favicon.ico"]) {
      const response = await fetch(file);
      types.push(`${file} ${response.status} ${response.headers.get("Content-Type")}`);
    }
    await navigator.serviceWorker.ready;
    return { name: manifest.name, types };
  });
  assert.equal(fetched.name, "Tessark");
  assert.deepEqual(fetched.types, ["icon.svg 200 image/svg+xml", "icon-192.png 200 image/png",
                                   "icon-512.png 200 image/png", "icon-512.png 200 image/png",
                                   "favicon.ico 200 image/x-icon"]);

  server.close();
  await context.setOffline(true);
  await page.reload();
  await typicalRun(page);
  assert.equal((await readLog(page)).out, expected.typicalDialogue + expected.closingMessage);
  assert.equal(await reportRegion(page).textContent(), expected.typicalReport);
});
