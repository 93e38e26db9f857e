// The preview, drawn as the main window draws it: the logical window from
// -0.05 to 0.50 across and 1.05 down to -0.05, on a 165 × 325 surface scaled
// to the canvas; centre and level lines in black, the outline in blue, the
// kit's notches and tabs in their own colour, a shape that cannot be cut in red.
const LARGEUR = 165;
const HAUTEUR = 325;
const FOND = "rgb(255, 255, 192)";
const COULEUR_KIT = "rgb(200, 0, 160)";

// Twips per unit and per pixel of the main window, single precision as there.
const X_PIXELS = 4500 / 15;
const Y_PIXELS = -4431.81787109375 / 15;
const px = (x) => (x + 0.05) * X_PIXELS;
const py = (y) => (y - 1.05) * Y_PIXELS;

function polyligne(ctx, plats) {
  ctx.beginPath();
  for (let k = 0; k < plats.length; k += 2) {
    if (k === 0) ctx.moveTo(px(plats[k]), py(plats[k + 1]));
    else ctx.lineTo(px(plats[k]), py(plats[k + 1]));
  }
  ctx.stroke();
}

function trait(ctx, x1, y1, x2, y2) {
  ctx.beginPath();
  ctx.moveTo(px(x1), py(y1));
  ctx.lineTo(px(x2), py(y2));
  ctx.stroke();
}

// Draws `apercu` (the core's answer) on `toile`, sharp at the screen's density.
export function dessiner(toile, apercu) {
  const echelle = toile.clientHeight / HAUTEUR;
  const densite = window.devicePixelRatio || 1;
  toile.width = Math.round(LARGEUR * echelle * densite);
  toile.height = Math.round(HAUTEUR * echelle * densite);
  const ctx = toile.getContext("2d");
  ctx.setTransform(echelle * densite, 0, 0, echelle * densite, 0, 0);
  ctx.fillStyle = FOND;
  ctx.fillRect(0, 0, LARGEUR, HAUTEUR);
  if (!apercu) return;
  ctx.lineWidth = 1 / echelle;
  ctx.strokeStyle = "black";
  trait(ctx, 0, -0.03, 0, 1.03);
  trait(ctx, -0.03, apercu.niveau, 0.53, apercu.niveau);
  ctx.strokeStyle = "rgb(0, 0, 255)";
  polyligne(ctx, apercu.polyligne);
  ctx.strokeStyle = COULEUR_KIT;
  for (const t of apercu.kit) polyligne(ctx, t);
  if (!apercu.alerte) return;
  ctx.strokeStyle = ctx.fillStyle = "rgb(255, 0, 0)";
  ctx.lineWidth = 1.5 / echelle;
  for (let k = 0; k < apercu.croisements.length; k += 2) {
    ctx.beginPath();
    ctx.arc(px(apercu.croisements[k]), py(apercu.croisements[k + 1]), 3.5, 0, 2 * Math.PI);
    ctx.stroke();
  }
  ctx.font = "8px sans-serif";
  ctx.textAlign = "center";
  ctx.fillText("Forme impossible à découper :", LARGEUR / 2, HAUTEUR / 2);
  ctx.fillText(apercu.alerte, LARGEUR / 2, HAUTEUR / 2 + 10, LARGEUR - 4);
}
