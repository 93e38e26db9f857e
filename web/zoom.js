// Zoom and pan on a drawing: wheel or two fingers to zoom about the pointer,
// drag to move, double-click to see it whole. The state outlives the image,
// so that a sheet redrawn while the series is edited stays where it was.
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
  const pointeurs = new Map();
  cadre.addEventListener("pointerdown", (e) => {
    cadre.setPointerCapture(e.pointerId);
    pointeurs.set(e.pointerId, [e.clientX, e.clientY]);
  });
  cadre.addEventListener("pointermove", (e) => {
    const avant = pointeurs.get(e.pointerId);
    if (!avant) return;
    if (pointeurs.size === 2) {
      const [a, b] = [...pointeurs.values()];
      const ecart = Math.hypot(a[0] - b[0], a[1] - b[1]);
      pointeurs.set(e.pointerId, [e.clientX, e.clientY]);
      const [c, d] = [...pointeurs.values()];
      const boite = cadre.getBoundingClientRect();
      zoomer(Math.hypot(c[0] - d[0], c[1] - d[1]) / Math.max(ecart, 1), (c[0] + d[0]) / 2 - boite.left,
        (c[1] + d[1]) / 2 - boite.top);
      return;
    }
    pointeurs.set(e.pointerId, [e.clientX, e.clientY]);
    etat.x += e.clientX - avant[0];
    etat.y += e.clientY - avant[1];
    appliquer();
  });
  for (const fin of ["pointerup", "pointercancel"]) cadre.addEventListener(fin, (e) => pointeurs.delete(e.pointerId));
  cadre.addEventListener("dblclick", () => {
    Object.assign(etat, etat_zoom());
    appliquer();
  });
  appliquer();
}
