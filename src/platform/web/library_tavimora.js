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

  // The music, decoded by the browser once per track and played from memory by an audio context
  // of its own rather than decoded and mixed on the page's thread or streamed through a media
  // element, which decodes as it plays. The context asks for long buffers (music needs no quick
  // answer), so the browser's audio threads wake seldom, and it is suspended while no music plays.
  // Only the playing track is kept decoded. Tracks are numbered from 1; a number forgotten (the
  // device closed) plays nothing. The page does not download the music before the game starts:
  // a track not yet in the file system is fetched when it is loaded, kept there, and sounds once
  // it has come (`fetching`: the fetches under way by path; `failedAt`: when a path last failed).
  $tvMusic: {
    tracks: {}, next: 1, current: null, paused: false, volume: 1, context: null, gain: null,
    source: null, startedAt: 0, starts: 0, fetching: {}, failedAt: {},
  },

  // The bytes of the file at `path`, fetched beside the page and written to the file system, or
  // null when they could not come. A path that failed is not fetched again for five seconds (the
  // game tries another track meanwhile), so a missing file does not mean a fetch every pass.
  $tvMusicFetch__deps: ['$FS', '$tvMusic'],
  $tvMusicFetch: function(path) {
    if (tvMusic.fetching[path]) return tvMusic.fetching[path];
    if (performance.now() - (tvMusic.failedAt[path] || -Infinity) < 5000) return null;
    var done = function(bytes) {
      delete tvMusic.fetching[path];
      return bytes;
    };
    tvMusic.fetching[path] = fetch(path).then(function(response) {
      if (!response.ok) throw new Error(path + ': ' + response.status);
      return response.arrayBuffer();
    }).then(function(contents) {
      var bytes = new Uint8Array(contents);
      FS.mkdirTree(path.substring(0, path.lastIndexOf('/')));
      FS.writeFile(path, bytes);
      return done(bytes);
    }, function(e) {
      console.warn('The music could not be fetched: ' + e);
      tvMusic.failedAt[path] = performance.now();
      return done(null);
    });
    return tvMusic.fetching[path];
  },

  // Tells the game what the music does now (0 when no music plays, 1 while it plays, 2 while it
  // is paused) and lets the context run only while music plays. Called on every change, so the
  // game never has to ask.
  $tvMusicTell__deps: ['$tvMusic'],
  $tvMusicTell: function() {
    var context = tvMusic.context;
    if (context && tvMusic.current && !tvMusic.paused) context.resume().catch(function() {});
    else if (context) context.suspend().catch(function() {});
    Module['_tv_web_music_now'](!tvMusic.current ? 0 : tvMusic.paused ? 2 : 1);
  },

  // Stops the sound of the track playing, if any, without telling.
  $tvMusicSilence__deps: ['$tvMusic'],
  $tvMusicSilence: function() {
    var source = tvMusic.source;
    tvMusic.source = null;
    if (source) source.stop();
  },

  // The music's context, made at the first start. Where the browser wants a gesture before
  // sound, the player's presses and keys let it run.
  $tvMusicContext__deps: ['$tvMusic'],
  $tvMusicContext: function() {
    if (tvMusic.context) return tvMusic.context;
    var context = new AudioContext({ latencyHint: 0.2 });
    tvMusic.gain = context.createGain();
    tvMusic.gain.gain.value = tvMusic.volume;
    tvMusic.gain.connect(context.destination);
    tvMusic.context = context;
    ['pointerdown', 'keydown', 'touchend'].forEach(function(type) {
      document.addEventListener(type, function() {
        if (tvMusic.current && !tvMusic.paused && context.state !== 'running') {
          context.resume().catch(function() {});
        }
      }, { capture: true });
    });
    return context;
  },

  tv_web_music_load__proxy: 'sync',
  tv_web_music_load__sig: 'ii',
  tv_web_music_load__deps: ['$FS', '$tvMusic', '$tvMusicFetch'],
  tv_web_music_load: function(pathAt) {
    var path = UTF8ToString(pathAt);
    var track = { bytes: null, buffer: null, coming: null };
    if (FS.analyzePath(path).exists) {
      track.bytes = FS.readFile(path);
    } else {
      track.coming = tvMusicFetch(path);
      if (!track.coming) return 0;
      track.coming.then(function(bytes) { track.bytes = bytes; });
    }
    tvMusic.tracks[tvMusic.next] = track;
    return tvMusic.next++;
  },

  tv_web_music_free__proxy: 'sync',
  tv_web_music_free__sig: 'vi',
  tv_web_music_free__deps: ['$tvMusic', '$tvMusicTell', '$tvMusicSilence'],
  tv_web_music_free: function(id) {
    var track = tvMusic.tracks[id];
    if (!track) return;
    if (tvMusic.current === track) {
      tvMusicSilence();
      tvMusic.current = null;
      tvMusicTell();
    }
    delete tvMusic.tracks[id];
  },

  // Forgets every track (the device closed).
  tv_web_music_forget__proxy: 'sync',
  tv_web_music_forget__sig: 'v',
  tv_web_music_forget__deps: ['$tvMusic', 'tv_web_music_free'],
  tv_web_music_forget: function() {
    Object.keys(tvMusic.tracks).forEach(function(id) { _tv_web_music_free(Number(id)); });
  },

  // Starts the track from its beginning once it has come and is decoded. A track that cannot
  // come or be decoded plays as one already ended.
  tv_web_music_start__proxy: 'sync',
  tv_web_music_start__sig: 'ii',
  tv_web_music_start__deps: ['$tvMusic', '$tvMusicTell', '$tvMusicSilence', '$tvMusicContext'],
  tv_web_music_start: function(id) {
    var track = tvMusic.tracks[id];
    if (!track) return -1;
    var context = tvMusicContext();
    var start = ++tvMusic.starts;  // a later start makes this one's decoding moot
    tvMusicSilence();
    Object.keys(tvMusic.tracks).forEach(function(other) {
      if (tvMusic.tracks[other] !== track) tvMusic.tracks[other].buffer = null;
    });
    tvMusic.current = track;
    tvMusic.paused = false;
    tvMusic.startedAt = -1;
    var play = function(buffer) {
      if (start !== tvMusic.starts) return;
      track.buffer = buffer;
      var source = context.createBufferSource();
      source.buffer = buffer;
      source.connect(tvMusic.gain);
      source.onended = function() {
        if (tvMusic.source !== source) return;  // stopped, not played to its end
        tvMusic.source = null;
        tvMusic.current = null;
        tvMusicTell();
      };
      tvMusic.source = source;
      tvMusic.startedAt = context.currentTime;
      source.start();
    };
    var fail = function() {
      if (start !== tvMusic.starts) return;
      tvMusic.current = null;
      tvMusicTell();
    };
    var decode = function() {
      if (start !== tvMusic.starts) return;
      if (!track.bytes) fail();
      else context.decodeAudioData(track.bytes.slice().buffer).then(play, fail);
    };
    if (track.buffer) play(track.buffer);
    else if (track.bytes || !track.coming) decode();
    else track.coming.then(decode);
    tvMusicTell();
    return 0;
  },

  // Pauses (1), resumes (0) or halts (-1) the music playing. Pausing suspends the context, whose
  // clock then stands still with the track.
  tv_web_music_hold__proxy: 'sync',
  tv_web_music_hold__sig: 'vi',
  tv_web_music_hold__deps: ['$tvMusic', '$tvMusicTell', '$tvMusicSilence'],
  tv_web_music_hold: function(how) {
    if (!tvMusic.current) return;
    tvMusic.paused = how === 1;
    if (how === -1) {
      tvMusicSilence();
      tvMusic.current = null;
    }
    tvMusicTell();
  },

  // Seconds into the track, while it sounds.
  tv_web_music_position__proxy: 'sync',
  tv_web_music_position__sig: 'di',
  tv_web_music_position__deps: ['$tvMusic'],
  tv_web_music_position: function(id) {
    var track = tvMusic.tracks[id];
    if (!track || track !== tvMusic.current || tvMusic.startedAt < 0) return 0;
    return tvMusic.context.currentTime - tvMusic.startedAt;
  },

  // Loudness 0 to 128, as the mixer's.
  tv_web_music_volume__proxy: 'sync',
  tv_web_music_volume__sig: 'vi',
  tv_web_music_volume__deps: ['$tvMusic'],
  tv_web_music_volume: function(volume) {
    tvMusic.volume = Math.max(0, Math.min(1, volume / 128));
    if (tvMusic.gain) tvMusic.gain.gain.value = tvMusic.volume;
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
