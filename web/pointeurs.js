// Mouse and fingers on a view: one pointer drags (`glisser(dx, dy)`), two
// pinch (`pincer(facteur, x, y)`, about the middle of the fingers, in the
// element's own pixels).
export function suivre_pointeurs(element, { glisser, pincer }) {
  const pointeurs = new Map();
  element.addEventListener("pointerdown", (e) => {
    element.setPointerCapture(e.pointerId);
    pointeurs.set(e.pointerId, [e.clientX, e.clientY]);
  });
  element.addEventListener("pointermove", (e) => {
    const avant = pointeurs.get(e.pointerId);
    if (!avant) return;
    if (pointeurs.size === 2) {
      const [a, b] = [...pointeurs.values()];
      const ecart = Math.hypot(a[0] - b[0], a[1] - b[1]);
      pointeurs.set(e.pointerId, [e.clientX, e.clientY]);
      const [c, d] = [...pointeurs.values()];
      const boite = element.getBoundingClientRect();
      pincer(Math.hypot(c[0] - d[0], c[1] - d[1]) / Math.max(ecart, 1), (c[0] + d[0]) / 2 - boite.left,
        (c[1] + d[1]) / 2 - boite.top);
      return;
    }
    pointeurs.set(e.pointerId, [e.clientX, e.clientY]);
    glisser(e.clientX - avant[0], e.clientY - avant[1]);
  });
  for (const fin of ["pointerup", "pointercancel"]) element.addEventListener(fin, (e) => pointeurs.delete(e.pointerId));
}
