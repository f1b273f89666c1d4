// Runs the browser engine (site/tessark.js and site/tessark.wasm beside this launcher) under node
// as a console program: it hands the engine the process's standard streams, its arguments and
// exit status, and the files of the working folder, mounted into the engine's file system at
// their own path. Started by the tessark-node script, which says which standard streams were
// closed before node gave them the null device.
"use strict";
const fs = require("fs");
const path = require("path");

const closedStreams = (process.env.TESSARK_CLOSED_STREAMS || "").split(" ").filter(Boolean)
  .map(Number);
delete process.env.TESSARK_CLOSED_STREAMS;

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

// Node's own blocking reads and writes on the process's descriptors, the way the native program
// uses them: a descriptor that another program left non-blocking is waited on, and an error is
// passed on with its code.
function pause(milliseconds) {
  Atomics.wait(new Int32Array(new SharedArrayBuffer(4)), 0, 0, milliseconds);
}

function readInput(size) {
  const buffer = Buffer.alloc(size);
  for (;;) {
    try {
      return buffer.subarray(0, fs.readSync(0, buffer, 0, size, null));
    } catch (error) {
      if (error.code === "EOF") return buffer.subarray(0, 0);
      if (error.code !== "EAGAIN") throw error;
      pause(10);
    }
  }
}

function writeOutput(fd, bytes) {
  for (let done = 0; done < bytes.length;) {
    try {
      done += fs.writeSync(fd, bytes, done, bytes.length - done);
    } catch (error) {
      if (error.code !== "EAGAIN") return false;
      pause(10);
    }
  }
  return true;
}

async function main() {
  const engine = await createTessark({
    readInput: async (size) => readInput(size),
    writeOutput,
    closedStreams,
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
