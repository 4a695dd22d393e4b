// SPDX-FileCopyrightText: 2026 The guess developers
// SPDX-License-Identifier: MIT

// Moves first the offer that fits this device, as its browser says what it
// is: Windows takes the installer; Linux the install line and the package
// managers; any other system plays in the browser. Android says it is
// Linux, and an iPad that it is a Mac. Where the release was given no
// address, the commands name the one this page is served from.
"use strict";

if (!document.documentElement.dataset.address) {
  const address = new URL(".", location.href).href;
  for (const shown of document.querySelectorAll(".address")) shown.textContent = address;
}

const agent = navigator.userAgent;
const system = /Windows/.test(agent) ? "windows"
  : /Android|iPhone|iPad|Macintosh|CrOS/.test(agent) ? "elsewhere"
  : /Linux/.test(agent) ? "linux" : null;
if (system) {
  const yours = document.getElementById("yours");
  const offer = document.getElementById(system);
  offer.querySelector("h2").remove();
  yours.append(...offer.childNodes);
  offer.remove();
  yours.hidden = false;
}
