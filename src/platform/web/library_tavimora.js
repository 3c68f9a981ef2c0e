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

  // Fetches the files at `paths` (one a line, relative to the page as in its file system) and
  // writes them there once all have come, so the game never reads half of them; then tells the
  // program. The service worker keeps them once fetched.
  tv_web_fetch_files__proxy: 'sync',
  tv_web_fetch_files__sig: 'vi',
  tv_web_fetch_files__deps: ['$FS'],
  tv_web_fetch_files: function(pathsAt) {
    var paths = UTF8ToString(pathsAt).split('\n').filter(function(p) { return p; });
    Promise.all(paths.map(function(path) {
      return fetch(path).then(function(response) {
        if (!response.ok) throw new Error(path + ': ' + response.status);
        return response.arrayBuffer();
      });
    })).then(function(contents) {
      paths.forEach(function(path, i) {
        FS.mkdirTree(path.substring(0, path.lastIndexOf('/')));
        FS.writeFile(path, new Uint8Array(contents[i]));
      });
      Module['tvFilesArrived'] = performance.now();  // for the page's tests
    }).catch(function(e) {
      console.warn('Files could not be fetched: ' + e);
    }).then(function() { Module['_tv_web_files_arrived'](); });
  },

  // The music, played by the browser's own decoder in an audio element rather than decoded and
  // mixed on the page's thread: while only the music sounds, the page's thread mixes nothing.
  // Tracks are numbered from 1; a number forgotten (the device closed) plays nothing.
  $tvMusic: { tracks: {}, next: 1, current: null, paused: false, volume: 1 },

  tv_web_music_load__proxy: 'sync',
  tv_web_music_load__sig: 'ii',
  tv_web_music_load__deps: ['$FS', '$tvMusic'],
  tv_web_music_load: function(path) {
    var bytes;
    try {
      bytes = FS.readFile(UTF8ToString(path));
    } catch (e) {
      return 0;
    }
    // Some browsers play a blob only when told its type: it is read from the file's first bytes.
    var head = String.fromCharCode.apply(null, bytes.subarray(0, 4));
    var type = head === 'OggS' ? 'audio/ogg' : head === 'RIFF' ? 'audio/wav' : 'audio/mpeg';
    var element = new Audio(URL.createObjectURL(new Blob([bytes], { type: type })));
    element.preload = 'auto';
    tvMusic.tracks[tvMusic.next] = element;
    return tvMusic.next++;
  },

  tv_web_music_free__proxy: 'sync',
  tv_web_music_free__sig: 'vi',
  tv_web_music_free__deps: ['$tvMusic'],
  tv_web_music_free: function(id) {
    var element = tvMusic.tracks[id];
    if (!element) return;
    element.pause();
    if (tvMusic.current === element) tvMusic.current = null;
    URL.revokeObjectURL(element.src);
    delete tvMusic.tracks[id];
  },

  // Forgets every track (the device closed).
  tv_web_music_forget__proxy: 'sync',
  tv_web_music_forget__sig: 'v',
  tv_web_music_forget__deps: ['$tvMusic', 'tv_web_music_free'],
  tv_web_music_forget: function() {
    Object.keys(tvMusic.tracks).forEach(function(id) { _tv_web_music_free(Number(id)); });
  },

  // Starts the track from its beginning; where the browser wants a gesture first, it starts at
  // the player's first press or key.
  tv_web_music_start__proxy: 'sync',
  tv_web_music_start__sig: 'ii',
  tv_web_music_start__deps: ['$tvMusic'],
  tv_web_music_start: function(id) {
    var element = tvMusic.tracks[id];
    if (!element) return -1;
    if (tvMusic.current && tvMusic.current !== element) tvMusic.current.pause();
    tvMusic.current = element;
    tvMusic.paused = false;
    element.currentTime = 0;
    element.volume = tvMusic.volume;
    var play = function() {
      if (tvMusic.current === element && !tvMusic.paused) element.play().catch(later);
    };
    var later = function() {
      ['pointerdown', 'keydown', 'touchend'].forEach(function(type) {
        document.addEventListener(type, play, { once: true, capture: true });
      });
    };
    play();
    return 0;
  },

  // 0 when no music plays, 1 while it plays, 2 while it is paused.
  tv_web_music_state__proxy: 'sync',
  tv_web_music_state__sig: 'i',
  tv_web_music_state__deps: ['$tvMusic'],
  tv_web_music_state: function() {
    if (!tvMusic.current || tvMusic.current.ended) return 0;
    return tvMusic.paused ? 2 : 1;
  },

  // Pauses (1), resumes (0) or halts (-1) the music playing.
  tv_web_music_hold__proxy: 'sync',
  tv_web_music_hold__sig: 'vi',
  tv_web_music_hold__deps: ['$tvMusic'],
  tv_web_music_hold: function(how) {
    var element = tvMusic.current;
    if (!element) return;
    tvMusic.paused = how === 1;
    if (how === 0) element.play().catch(function() {});
    else element.pause();
    if (how === -1) tvMusic.current = null;
  },

  tv_web_music_position__proxy: 'sync',
  tv_web_music_position__sig: 'di',
  tv_web_music_position__deps: ['$tvMusic'],
  tv_web_music_position: function(id) {
    var element = tvMusic.tracks[id];
    return element ? element.currentTime : 0;
  },

  // Loudness 0 to 128, as the mixer's.
  tv_web_music_volume__proxy: 'sync',
  tv_web_music_volume__sig: 'vi',
  tv_web_music_volume__deps: ['$tvMusic'],
  tv_web_music_volume: function(volume) {
    tvMusic.volume = Math.max(0, Math.min(1, volume / 128));
    if (tvMusic.current) tvMusic.current.volume = tvMusic.volume;
  },

  // The effects' device rests while it is silent: every two seconds a running one that sounds
  // nothing is suspended, and an effect started wakes it. A suspended device's mixer stands
  // still, so the effect sounds whole once it wakes.
  $tvEffectsRest: { timer: 0, resting: false },
  tv_web_effects_started__proxy: 'async',
  tv_web_effects_started__sig: 'v',
  tv_web_effects_started__deps: ['$tvEffectsRest'],
  tv_web_effects_started: function() {
    var context = Module['SDL2'] && Module['SDL2'].audioContext;
    if (!context) return;
    if (tvEffectsRest.resting) {
      tvEffectsRest.resting = false;
      context.resume().catch(function() {});
    }
    if (tvEffectsRest.timer) return;
    tvEffectsRest.timer = setInterval(function() {
      if (context.state !== 'running' || !Module['_tv_web_effects_quiet']()) return;
      tvEffectsRest.resting = true;
      context.suspend().catch(function() {});
    }, 2000);
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
