// The page's figures, by hand (never a test): from opening the page to the
// default former drawn, from a field changed to the preview redrawn, and
// the size of the .wasm. Needs build/web (cmake --build --preset web).
//   node bench/web/mesurer_page.mjs [chromium]
import { statSync, readFileSync } from "node:fs";
import { resolve } from "node:path";
import { gzipSync } from "node:zlib";
import { chromium } from "../../tests/web/node_modules/playwright-core/index.mjs";
import { servir } from "../../tests/web/serveur.mjs";

const site = resolve(import.meta.dirname ?? new URL(".", import.meta.url).pathname, "../../build/web");
const executable = process.argv[2] ?? "/usr/bin/chromium";
const mediane = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];
const ms = (v) => `${v.toFixed(1)} ms`;

const serveur = await servir(site);
const navigateur = await chromium.launch({ executablePath: executable, args: ["--no-sandbox"] });

// Opening: the first trace drawn, timed from the navigation's start.
const ouvertures = [];
for (let k = 0; k < 10; ++k) {
  const contexte = await navigateur.newContext({ viewport: { width: 1280, height: 720 } });
  const page = await contexte.newPage();
  await page.addInitScript(() => {
    new MutationObserver((_, o) => {
      if (document.body?.dataset.trace === "1") {
        window.premier_trace = performance.now();
        o.disconnect();
      }
    }).observe(document, { subtree: true, attributes: true, attributeFilter: ["data-trace"] });
  });
  await page.goto(serveur.origine);
  await page.waitForFunction(() => window.premier_trace !== undefined);
  ouvertures.push(await page.evaluate(() => window.premier_trace));
  await contexte.close();
}

// A field changed: the answer drawn, then the next frame painted.
const page = await navigateur.newPage({ viewport: { width: 1280, height: 720 } });
await page.goto(serveur.origine);
await page.waitForFunction(() => document.body.dataset.trace === "1");
const [traces, images] = await page.evaluate(async () => {
  const champ = document.querySelector("#txt_ep");
  const t = [];
  const i = [];
  for (let k = 0; k < 60; ++k) {
    const avant = document.body.dataset.trace;
    const trace = new Promise((fait) =>
      new MutationObserver((_, o) => {
        if (document.body.dataset.trace !== avant) {
          o.disconnect();
          fait();
        }
      }).observe(document.body, { attributes: true }));
    champ.value = k % 2 ? "10" : "9.5";
    const debut = performance.now();
    champ.dispatchEvent(new Event("input"));
    await trace;
    t.push(performance.now() - debut);
    await new Promise(requestAnimationFrame);
    i.push(performance.now() - debut);
  }
  return [t, i];
});
await navigateur.close();
serveur.fermer();

const wasm = readFileSync(resolve(site, "bilobe.wasm"));
console.log(`ouverture → couple par défaut dessiné : médiane ${ms(mediane(ouvertures))}, max ${ms(Math.max(...ouvertures))} (10 ouvertures)`);
console.log(`champ changé → aperçu redessiné : médiane ${ms(mediane(traces))}, max ${ms(Math.max(...traces))} ; ` +
  `image suivante : médiane ${ms(mediane(images))}, max ${ms(Math.max(...images))} (60 changements)`);
console.log(`bilobe.wasm : ${(statSync(resolve(site, "bilobe.wasm")).size / 1e6).toFixed(2)} Mo ` +
  `(${(gzipSync(wasm).length / 1e6).toFixed(2)} Mo compressé), bilobe.js : ${(statSync(resolve(site, "bilobe.js")).size / 1e3).toFixed(0)} ko`);
