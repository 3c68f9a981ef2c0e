// The page's side of the web platform (web_page.cpp, web_storage.cpp, window_target_web.cpp),
// linked in with --js-library. Functions marked 'sync' run on the page's own thread, the caller
// waiting for them, whichever thread calls.
mergeInto(LibraryManager.library, {
  // The game has ended with `code`: the page offers to start it again.
  tv_web_tell_page_ended__proxy: 'sync',
  tv_web_tell_page_ended__sig: 'vi',
  tv_web_tell_page_ended: function(code) {
    if (Module['onGameEnded']) Module['onGameEnded'](code);
  },

  // While a game is on, closing or reloading the page asks first (the browser's own prompt).
  tv_web_set_leave_guard__proxy: 'sync',
  tv_web_set_leave_guard__sig: 'vi',
  tv_web_set_leave_guard: function(on) {
    var ask = Module['tvLeaveGuard'] || (Module['tvLeaveGuard'] = function(event) {
      event.preventDefault();
      event.returnValue = '';
    });
    if (on) window.addEventListener('beforeunload', ask);
    else window.removeEventListener('beforeunload', ask);
  },

  // Writes the player's folder through to the browser's storage, then reports that every write
  // numbered up to `upTo` is stored (or failed).
  tv_web_sync_folder__proxy: 'sync',
  tv_web_sync_folder__sig: 'vd',
  tv_web_sync_folder__deps: ['$FS'],
  tv_web_sync_folder: function(upTo) {
    FS.syncfs(false, function(err) { Module['_tv_web_sync_finished'](upTo, err ? 0 : 1); });
  },

  // Mounts the browser's storage at `folder` and loads what was kept there; reports whether it
  // is kept.
  tv_web_load_kept_folder__deps: ['$FS', '$IDBFS'],
  tv_web_load_kept_folder: function(folderName) {
    var folder = UTF8ToString(folderName);
    var done = function(kept) { Module['_tv_web_folder_loaded'](kept); };
    try {
      FS.mkdirTree(folder);
      FS.mount(IDBFS, {}, folder);
    } catch (e) {
      console.warn('The saved games cannot be kept: ' + e);
      done(0);
      return;
    }
    FS.syncfs(true, function(err) {
      if (err) console.warn('The saved games could not be loaded: ' + err);
      done(err ? 0 : 1);
    });
  },

  // Puts the drawn rectangles (x, y, w, h each) of the w x h R, G, B, A surface at `pixels` on
  // the canvas, copying only them out of the program's memory.
  tv_web_push_rects__proxy: 'sync',
  tv_web_push_rects__sig: 'viiiii',
  tv_web_push_rects: function(pixels, w, h, rectsAt, count) {
    var canvas = Module['canvas'];
    var rects = rectsAt >> 2;
    var show = Module['tvShow'] || (Module['tvShow'] = {});
    if (canvas.width !== w || canvas.height !== h) return;  // a size change is on its way
    if (show.canvas !== canvas) {
      show.canvas = canvas;
      show.ctx = canvas.getContext('2d');
      show.image = null;
    }
    if (!show.image || show.image.width !== w || show.image.height !== h) {
      show.image = show.ctx.createImageData(w, h);
    }
    var data = show.image.data;
    for (var i = 0; i < count; ++i) {
      var x = HEAP32[rects + 4 * i];
      var y = HEAP32[rects + 4 * i + 1];
      var rw = HEAP32[rects + 4 * i + 2];
      var rh = HEAP32[rects + 4 * i + 3];
      for (var row = y; row < y + rh; ++row) {
        var at = (row * w + x) * 4;
        data.set(HEAPU8.subarray(pixels + at, pixels + at + rw * 4), at);
      }
      show.ctx.putImageData(show.image, 0, 0, x, y, rw, rh);
    }
  },
});
