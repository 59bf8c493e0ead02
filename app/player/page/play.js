"use strict";

// Plays the ".swf" named by this page's "src" query. The handler behind
// "swf?src=…" fetches the file from its address, so it reaches the page from
// its own origin.

const kRuffleConfig = {
  autoplay: "on",
  splashScreen: false,
  unmuteOverlay: "hidden",
  letterbox: "on",
  upgradeToHttps: false,
  warnOnUnsupportedContent: false,
  polyfills: false,
  allowScriptAccess: false,
  publicPath: new URL("ruffle/", location.href).href,
};

function webGlAvailable() {
  try {
    const canvas = document.createElement("canvas");
    return Boolean(canvas.getContext("webgl2") || canvas.getContext("webgl"));
  } catch (error) {
    return false;
  }
}

// Ruffle plays on past a header it cannot make sense of, showing nothing.
// Flash's own limit on a stage side is 8191 pixels.
function hasPlayableStage(metadata) {
  const sideOk = (side) => Number.isFinite(side) && side > 0 && side <= 8191;
  return Boolean(metadata) && sideOk(metadata.width) && sideOk(metadata.height) &&
      metadata.numFrames >= 1;
}

function showMessage(reason) {
  console.error("modian player:", reason);
  document.getElementById("stage").replaceChildren();
  document.getElementById("message").hidden = false;
  document.body.dataset.state = "failed";
}

// Ruffle shows its own panic screen in English; the child sees ours instead.
function watchForPanic(player) {
  const root = player.shadowRoot;
  if (!root) return;
  const observer = new MutationObserver(() => {
    if (root.querySelector("#panic")) {
      observer.disconnect();
      showMessage("the emulator stopped");
    }
  });
  observer.observe(root, { childList: true, subtree: true });
}

async function play() {
  const response = await fetch("swf" + location.search);
  if (!response.ok) throw new Error(`HTTP status ${response.status}`);
  const data = await response.arrayBuffer();

  const player = window.RufflePlayer.newest().createPlayer();
  document.getElementById("stage").appendChild(player);
  watchForPanic(player);
  player.addEventListener("loadedmetadata", () => {
    if (document.body.dataset.state === "failed") return;
    if (!hasPlayableStage(player.ruffle().metadata)) {
      showMessage("the file's header is broken");
      return;
    }
    document.body.dataset.state = "playing";
  });
  const config = { ...kRuffleConfig };
  // Without WebGL (no GPU, as under Xvfb) Ruffle's canvas renderer draws.
  if (!webGlAvailable()) config.preferredRenderer = "canvas";
  await player.ruffle().load({ ...config, data, swfFileName: "animation.swf" });
}

document.body.dataset.state = "loading";
play().catch(showMessage);
