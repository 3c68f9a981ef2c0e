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
  // page served cross-origin isolated.
  if (!window.crossOriginIsolated || typeof SharedArrayBuffer === 'undefined') {
    tell('This page cannot run the game: it was not served cross-origin isolated. The server ' +
         'must send the headers "Cross-Origin-Opener-Policy: same-origin" and ' +
         '"Cross-Origin-Embedder-Policy: require-corp" with it.');
    return;
  }
  if (typeof WebAssembly !== 'object') {
    tell('This browser cannot run the game: it has no WebAssembly.');
    return;
  }

  // Presses on the canvas are the game's alone: no scrolling, zooming or context menu.
  canvas.addEventListener('contextmenu', function (e) { e.preventDefault(); });
  ['touchstart', 'touchmove', 'touchend', 'gesturestart'].forEach(function (type) {
    document.addEventListener(type, function (e) {
      if (e.target === canvas || e.touches && e.touches.length > 1) e.preventDefault();
    }, { passive: false });
  });
  document.addEventListener('dblclick', function (e) { e.preventDefault(); });

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

  window.Module = {
    canvas: canvas,
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
