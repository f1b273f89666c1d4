// fsync for the test program in the browser build, whose files are the machine's own (NODERAWFS):
// Emscripten's, built for Asyncify, looks for the mount of an in-memory file, which these lack.
mergeInto(LibraryManager.library, {
  fd_sync: function(fd) {
    try {
      var stream = SYSCALLS.getStreamFromFD(fd);
      fs.fsyncSync(stream.nfd);
      return 0;
    } catch (e) {
      if (e instanceof FS.ErrnoError) return e.errno;
      return ERRNO_CODES[e.code] || {{{ cDefine('EIO') }}};
    }
  },
});
