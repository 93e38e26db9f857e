// The fuselage in 3D, as the series window paints it: the core projects and
// orders the triangles, the page fills them. Drag (mouse or finger) to turn
// it, wheel or pinch to zoom, double-click to see it as at first.
import { demander } from "./noyau.js";
import { suivre_pointeurs } from "./pointeurs.js";
import { une_a_la_fois } from "./une_a_la_fois.js";

const RADIANS_PAR_PIXEL = 0.01;
const TANGAGE_MAX = (Math.PI / 2) * 0.98; // never quite from straight above
const ZOOM_PAR_CRAN = 1.15;
const COULEUR = [0x4a, 0x86, 0xc8];
const DEPART = { lacet: 1.25, tangage: 0.3, zoom: 1 };

export class Vue3d {
  constructor(toile) {
    this.toile = toile;
    this.texte = null; // the fuselage file shown
    this.perimee = false;
    this.orientation = { ...DEPART };
    this.dessiner = une_a_la_fois(() => this.peindre());
    suivre_pointeurs(toile, {
      glisser: (dx, dy) => {
        this.orientation.lacet += dx * RADIANS_PAR_PIXEL;
        this.orientation.tangage = Math.min(TANGAGE_MAX, Math.max(-TANGAGE_MAX,
          this.orientation.tangage + dy * RADIANS_PAR_PIXEL));
        this.dessiner();
      },
      pincer: (facteur) => this.zoomer(facteur),
    });
    toile.addEventListener("dblclick", () => {
      this.orientation = { ...DEPART };
      this.dessiner();
    });
    toile.addEventListener("wheel", (e) => {
      e.preventDefault();
      this.zoomer(ZOOM_PAR_CRAN ** (-e.deltaY / 100));
    }, { passive: false });
  }

  zoomer(facteur) {
    this.orientation.zoom = Math.min(50, Math.max(0.1, this.orientation.zoom * facteur));
    this.dessiner();
  }

  // The fuselage of this file; null: the last one stays, greyed.
  montrer(texte) {
    this.perimee = texte === null;
    if (texte !== null) this.texte = texte;
    this.dessiner();
  }

  async peindre() {
    const largeur = this.toile.clientWidth;
    const hauteur = this.toile.clientHeight;
    if (!this.texte || !largeur) return;
    const { lacet, tangage, zoom } = this.orientation;
    const r = await demander("scene3d", this.texte, lacet, tangage, zoom, largeur, hauteur);
    const densite = window.devicePixelRatio || 1;
    this.toile.width = Math.round(largeur * densite);
    this.toile.height = Math.round(hauteur * densite);
    const ctx = this.toile.getContext("2d");
    ctx.setTransform(densite, 0, 0, densite, 0, 0);
    ctx.fillStyle = this.perimee ? "#d4d0c8" : "#fff";
    ctx.fillRect(0, 0, largeur, hauteur);
    if (r.erreur !== undefined) return;
    const e = r.elements;
    for (let k = 0; k < e.length; k += 8) {
      if (e[k] === 1) {
        ctx.strokeStyle = this.perimee ? "#404040" : "rgb(192, 48, 32)";
        ctx.lineWidth = 2;
        ctx.beginPath();
        ctx.moveTo(e[k + 2], e[k + 3]);
        ctx.lineTo(e[k + 4], e[k + 5]);
        ctx.stroke();
        continue;
      }
      const l = e[k + 1];
      // Outlined in its own colour: no light seam between two triangles.
      const gris = Math.round(255 * (0.4 + 0.5 * l));
      ctx.fillStyle = ctx.strokeStyle = this.perimee ? `rgb(${gris}, ${gris}, ${gris})`
        : `rgb(${COULEUR.map((c) => Math.round(c * l)).join(", ")})`;
      ctx.lineWidth = 1;
      ctx.beginPath();
      ctx.moveTo(e[k + 2], e[k + 3]);
      ctx.lineTo(e[k + 4], e[k + 5]);
      ctx.lineTo(e[k + 6], e[k + 7]);
      ctx.closePath();
      ctx.fill();
      ctx.stroke();
    }
  }
}
