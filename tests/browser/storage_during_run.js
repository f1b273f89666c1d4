// The stored working folder changes only once a run has ended: no IndexedDB write comes while the
// engine's main is running, and a tab closed at a prompt leaves every stored file as it was.
"use strict";
const { assert, browserTest, waitForOutputEnding, typeAnswers, typicalRun, button, storedFolder } =
  require("./support.js");

browserTest(async (context, server) => {
  // Counts the page's writes to IndexedDB, apart those made while an engine's main runs.
  await context.addInitScript(() => {
    const writes = { running: 0, all: 0 };
    let running = 0;
    window.storedWrites = writes;
    for (const name of ["put", "add", "delete", "clear"]) {
      const write = IDBObjectStore.prototype[name];
      IDBObjectStore.prototype[name] = function counted(...args) {
        writes.all++;
        if (running > 0) writes.running++;
        return write.apply(this, args);
      };
    }
    let create;
    Object.defineProperty(window, "createTessark", {
      set(made) {
        create = made;
      },
      get: () => async (options) => {
        const engine = await create(options);
        const call = engine.ccall;
        engine.ccall = (...args) => {
          running++;
          return Promise.resolve(call(...args)).finally(() => running--);
        };
        return engine;
      },
    });
  });
  const page = await context.newPage();
  await page.goto(server.url);
  await typicalRun(page);
  const writes = await page.evaluate(() => window.storedWrites);
  const folder = await storedFolder(page);

  // A rare sword with one prefix and one suffix: its prefix is applied, and the modifier list
  // written, before the suffix is asked for. The tab is closed there.
  await button(page, "New item").click();
  await typeAnswers(page, "2\n1\n1\n1\n1\n1\n2\n1\n");
  await waitForOutputEnding(page, "Which Category of Suffixes: ");
  await page.close();
  // A page of the site that runs nothing reads the folder back.
  const reader = await context.newPage();
  await reader.goto(`${server.url}favicon.ico`);
  assert.deepEqual(await storedFolder(reader), folder);

  assert.ok(writes.all > 0);
  assert.equal(writes.running, 0, "IndexedDB written while the engine's main ran");
});
