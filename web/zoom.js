// Zoom and pan on a drawing: wheel or two fingers to zoom about the pointer,
// drag to move, double-click to see it whole. The state outlives the image,
// so that a sheet redrawn while the series is edited stays where it was.
import { suivre_pointeurs } from "./pointeurs.js";

const ZOOM_PAR_CRAN = 1.15;

export function etat_zoom() {
  return { zoom: 1, x: 0, y: 0 };
}

export function rendre_zoomable(cadre, image, etat) {
  const appliquer = () => (image.style.transform = `translate(${etat.x}px, ${etat.y}px) scale(${etat.zoom})`);
  const zoomer = (facteur, px, py) => {
    const zoom = Math.min(40, Math.max(1, etat.zoom * facteur));
    // The point under the pointer stays under it.
    etat.x = px - ((px - etat.x) * zoom) / etat.zoom;
    etat.y = py - ((py - etat.y) * zoom) / etat.zoom;
    etat.zoom = zoom;
    if (zoom === 1) Object.assign(etat, etat_zoom());
    appliquer();
  };
  image.style.transformOrigin = "0 0";
  image.draggable = false;
  cadre.addEventListener("wheel", (e) => {
    e.preventDefault();
    const boite = cadre.getBoundingClientRect();
    zoomer(ZOOM_PAR_CRAN ** (-e.deltaY / 100), e.clientX - boite.left, e.clientY - boite.top);
  }, { passive: false });
  suivre_pointeurs(cadre, {
    glisser: (dx, dy) => {
      etat.x += dx;
      etat.y += dy;
      appliquer();
    },
    pincer: zoomer,
  });
  cadre.addEventListener("dblclick", () => {
    Object.assign(etat, etat_zoom());
    appliquer();
  });
  appliquer();
}
