#include "storage/share/TacticsPlayerScript.h"

namespace korvex {

namespace {

const char* const kScript = R"JS(
(function () {
  'use strict';
  var data = JSON.parse(document.getElementById('tp-data').textContent);
  var canvas = document.getElementById('tp-canvas');
  var context = canvas.getContext('2d');
  var playButton = document.getElementById('tp-play');
  var stepButton = document.getElementById('tp-step');
  var speedBox = document.getElementById('tp-speed');
  var smoothBox = document.getElementById('tp-smooth');
  var counter = document.getElementById('tp-frame');
  var count = data.frames.length;
  var tickMs = 40;
  var frame = 0;
  var progress = 0;
  var timer = null;

  function picture(uri) {
    var image = new Image();
    image.onload = draw;
    image.setAttribute('src', uri);
    return image;
  }
  var ground = picture(data.ground);
  var sprites = data.sprites.map(picture);

  function frameMs() {
    var speed = parseFloat(speedBox.value);
    return 1000 / (speed > 0 ? speed : 1);
  }

  function draw() {
    context.clearRect(0, 0, data.w, data.h);
    if (ground.complete && ground.naturalWidth > 0) {
      context.drawImage(ground, 0, 0, data.w, data.h);
    }
    var current = data.frames[frame] || [];
    var next = data.frames[frame + 1] || [];
    for (var i = 0; i < current.length; i++) {
      var figure = current[i];
      var x = figure[1];
      var y = figure[2];
      if (progress > 0 && i < next.length) {
        x += (next[i][1] - x) * progress;
        y += (next[i][2] - y) * progress;
      }
      var sprite = sprites[figure[0]];
      if (sprite && sprite.complete && sprite.naturalWidth > 0) {
        context.drawImage(sprite, Math.round(x) - Math.floor(sprite.naturalWidth / 2),
                          Math.round(y) - Math.floor(sprite.naturalHeight / 2));
      }
    }
  }

  function show() {
    counter.textContent = counter.getAttribute('data-label')
      .replace('%1', String(frame + 1)).replace('%2', String(count));
    counter.setAttribute('data-frame', String(frame));
    draw();
  }

  function setPlaying(on) {
    if (timer !== null) {
      clearTimeout(timer);
      timer = null;
    }
    playButton.textContent = playButton.getAttribute(on ? 'data-pause' : 'data-play');
    playButton.setAttribute('aria-pressed', on ? 'true' : 'false');
    if (on) {
      schedule();
    }
  }

  function schedule() {
    timer = setTimeout(tick, smoothBox.checked ? tickMs : frameMs());
  }

  function tick() {
    timer = null;
    if (smoothBox.checked) {
      progress += tickMs / frameMs();
    } else {
      progress = 1;
    }
    if (progress >= 1) {
      progress = 0;
      frame += 1;
    }
    if (frame >= count - 1) {
      frame = count - 1;
      progress = 0;
      show();
      setPlaying(false);
      return;
    }
    show();
    schedule();
  }

  playButton.addEventListener('click', function () {
    if (timer !== null) {
      setPlaying(false);
      return;
    }
    if (frame >= count - 1) {
      frame = 0;
      progress = 0;
      show();
    }
    setPlaying(count > 1);
  });

  stepButton.addEventListener('click', function () {
    setPlaying(false);
    progress = 0;
    frame = frame >= count - 1 ? 0 : frame + 1;
    show();
  });

  smoothBox.addEventListener('change', function () {
    progress = 0;
    show();
  });

  show();
  if (/(^|[#&])autoplay($|&)/.test(location.hash)) {
    playButton.click();
  }
})();
)JS";

} // namespace

QString tacticsPlayerScript() {
    return QString::fromLatin1(kScript);
}

} // namespace korvex
