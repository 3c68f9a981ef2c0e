// The page around the game: loading progress, the canvas's behaviour on touch screens, sound
// after the first gesture, and what is shown when the game cannot run or has ended.
(function () {
  'use strict';
  var canvas = document.getElementById('canvas');
  var progress = document.getElementById('progress');
  var statusText = document.getElementById('status');

  function showPanel(id) {
    ['loading', 'message', 'ended'].forEach(function (name) {
      document.getElementById(name).hidden = name !== id;
    });
  }

  function tell(text) {
    document.getElementById('message-text').textContent = text;
    showPanel('message');
    canvas.hidden = true;
  }

  // The game thread is a real thread: that needs shared memory, which browsers give only to a
  // page served cross-origin isolated. Where the host does not send the two headers, the service
  // worker (sw.js) adds them: the first visit installs it and reloads once.
  var workers = 'serviceWorker' in navigator ? navigator.serviceWorker : null;
  var RELOADED = 'tavimora-reloaded-for-isolation';
  if (!window.crossOriginIsolated || typeof SharedArrayBuffer === 'undefined') {
    var headers = '"Cross-Origin-Opener-Policy: same-origin" and ' +
                  '"Cross-Origin-Embedder-Policy: require-corp"';
    if (!workers) {
      tell('This page cannot run the game: it was not served cross-origin isolated, and this ' +
           'browser offers no service worker to make it so (a private window, or a page not ' +
           'served over https, has none). Open it in a normal window over https, or have the ' +
           'server send the headers ' + headers + ' with it.');
    } else if (sessionStorage.getItem(RELOADED)) {
      sessionStorage.removeItem(RELOADED);
      tell('This page cannot run the game: it is still not cross-origin isolated after its ' +
           'service worker was installed. The server can send the headers ' + headers + '.');
    } else {
      statusText.textContent = 'Preparing the game to run from this device…';
      workers.register('sw.js').then(function () { return workers.ready; }).then(function () {
        sessionStorage.setItem(RELOADED, '1');
        location.reload();
      }).catch(function (e) {
        tell('This page cannot run the game: its service worker could not be installed (' + e +
             '). Reload the page to try again.');
      });
    }
    return;
  }
  sessionStorage.removeItem(RELOADED);
  keepForOffline();
  if (typeof WebAssembly !== 'object') {
    tell('This browser cannot run the game: it has no WebAssembly.');
    return;
  }

  // The service worker keeps the game for offline play. A new build installs beside the running
  // one and is told to take over; the page then reloads once, so it never runs a mix of the two.
  function keepForOffline() {
    if (!workers) return;  // the game still runs, online only
    var updating = !!workers.controller;
    workers.addEventListener('controllerchange', function () {
      if (updating) location.reload();
    });
    workers.register('sw.js').then(function (registration) {
      function takeOver(worker) {
        if (worker && workers.controller) worker.postMessage('take-over');
      }
      takeOver(registration.waiting);
      registration.addEventListener('updatefound', function () {
        var worker = registration.installing;
        worker.addEventListener('statechange', function () {
          if (worker.state === 'installed') takeOver(worker);
        });
      });
    }).catch(function () {});
  }

  // Presses on the canvas are the game's alone: no scrolling, zooming or context menu.
  canvas.addEventListener('contextmenu', function (e) { e.preventDefault(); });
  ['touchstart', 'touchmove', 'touchend', 'gesturestart'].forEach(function (type) {
    document.addEventListener(type, function (e) {
      if (e.target === canvas || e.touches && e.touches.length > 1) e.preventDefault();
    }, { passive: false });
  });
  document.addEventListener('dblclick', function (e) { e.preventDefault(); });

  // In full screen a phone can be held in landscape by the browser, where it allows that.
  document.addEventListener('fullscreenchange', function () {
    if (document.fullscreenElement && screen.orientation && screen.orientation.lock) {
      screen.orientation.lock('landscape').catch(function () {});
    }
  });

  // Held upright, the turn-the-phone picture covers the game (page.css): a running game pauses.
  var gameRuns = false;
  var upright = window.matchMedia('(orientation: portrait) and (pointer: coarse)');
  upright.addEventListener('change', function () {
    if (upright.matches && gameRuns) Module._tv_web_turned_upright();
  });

  // Browsers start sound only after a gesture; a tab shown again may need it resumed too.
  function resumeSound() {
    var sdl = window.Module && Module.SDL2;
    if (sdl && sdl.audioContext && sdl.audioContext.state === 'suspended') {
      sdl.audioContext.resume().catch(function () {});
    }
  }
  ['pointerdown', 'keydown', 'touchend'].forEach(function (type) {
    document.addEventListener(type, resumeSound, true);
  });
  document.addEventListener('visibilitychange', function () {
    if (!document.hidden) resumeSound();
  });

  // The first frame the game shows: the canvas stops being blank.
  function watchFirstFrame() {
    var probe = document.createElement('canvas');
    probe.width = probe.height = 1;
    var context = probe.getContext('2d', { willReadFrequently: true });
    function look() {
      if (canvas.width > 1) {
        context.drawImage(canvas, canvas.width / 2, canvas.height / 2, 1, 1, 0, 0, 1, 1);
        var p = context.getImageData(0, 0, 1, 1).data;
        if (p[0] || p[1] || p[2]) {
          window.tavimoraFirstFrame = performance.now();
          return;
        }
      }
      requestAnimationFrame(look);
    }
    requestAnimationFrame(look);
  }

  // The browser's languages, best first, as the game's environment names them (LANGUAGE, as
  // gettext reads it): "de-AT" is de_AT (the game falls back to de), and the Simplified Chinese
  // of "zh-CN" or "zh-Hans" is zh_CN. The game takes the first it has; English ends the list.
  function gameLanguages() {
    return (navigator.languages || [navigator.language]).map(function (tag) {
      var parts = String(tag).split('-');
      if (parts[0] === 'zh' && /^(Hans|CN|SG)$/.test(parts[1] || 'CN')) return 'zh_CN';
      var region = parts.slice(1).find(function (p) { return p.length === 2; });
      return parts[0].toLowerCase() + (region ? '_' + region.toUpperCase() : '');
    }).join(':');
  }

  window.Module = {
    canvas: canvas,
    preRun: [function () { ENV.LANGUAGE = gameLanguages(); }],
    print: function (text) { console.log(text); },
    printErr: function (text) { console.warn(text); },
    setStatus: function (text) {
      var m = /\((\d+(?:\.\d+)?)\/(\d+)\)/.exec(text || '');
      if (m) {
        progress.value = Number(m[1]) / Number(m[2]);
        statusText.textContent = 'Loading… ' + Math.round(100 * progress.value) + ' %';
      } else if (text) {
        statusText.textContent = text;
      }
    },
    onRuntimeInitialized: function () {
      showPanel(null);
      gameRuns = true;
      canvas.focus();
      watchFirstFrame();
    },
    onAbort: function (what) {
      tell('The game stopped with an error: ' + what + '. Reload the page to start it again.');
    },
    onGameEnded: function () {
      canvas.hidden = true;
      showPanel('ended');
      document.getElementById('again').focus();
    }
  };
  document.getElementById('again').addEventListener('click', function () { location.reload(); });

  var script = document.createElement('script');
  script.src = 'tavimora.js';
  script.onerror = function () { tell('The game could not be loaded. Reload the page to try again.'); };
  document.body.appendChild(script);
})();
