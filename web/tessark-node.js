#!/usr/bin/env node
// Runs the browser engine (site/tessark.js and site/tessark.wasm beside this launcher) under node
// as a console program: the process's standard streams, its arguments and exit status, and the
// files of the working folder, which is mounted into the engine's file system at its own path.
"use strict";
const fs = require("fs");
const path = require("path");

const site = path.join(__dirname, "site");
const createTessark = require(path.join(site, "tessark.js"));

function mountWorkingFolder(engine) {
  const { FS } = engine;
  const folder = process.cwd();
  // Emscripten's own root cannot be mounted over: the machine's goes beneath it.
  const at = folder === "/" ? "/host" : folder;
  FS.mkdirTree(at);
  FS.mount(FS.filesystems.NODEFS, { root: folder }, at);
  FS.chdir(at);
}

async function main() {
  const engine = await createTessark({
    // Handed over whole: node's own fetch cannot load a file path.
    wasmBinary: fs.readFileSync(path.join(site, "tessark.wasm")),
    preRun: [mountWorkingFolder],
  });
  const args = ["tessark", ...process.argv.slice(2)];
  const argv = engine._malloc(4 * (args.length + 1));
  args.forEach((arg, i) => engine.setValue(argv + 4 * i, engine.allocateUTF8(arg), "i32"));
  engine.setValue(argv + 4 * args.length, 0, "i32");
  const status = await engine.ccall("main", "number", ["number", "number"], [args.length, argv],
                                    { async: true });
  process.exit(status);
}

main().catch((error) => {
  process.stderr.write(`tessark-node: ${error && error.stack ? error.stack : error}\n`);
  process.exit(70);
});
