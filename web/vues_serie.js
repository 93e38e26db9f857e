// The series' views as the core draws them: the profile, each sheet with
// its line (zoom and pan on each), the formers (a click opens one in the page "Couple"), the
// summary. While the form is faulty the last good views stay, greyed.
import { etat_zoom, rendre_zoomable } from "./zoom.js";

const $ = (id) => document.getElementById(id);
let adresses = [];
const zooms = []; // by sheet

function image_svg(svg, texte) {
  const img = document.createElement("img");
  const adresse = URL.createObjectURL(new Blob([svg], { type: "image/svg+xml" }));
  adresses.push(adresse);
  img.src = adresse;
  img.alt = texte;
  return img;
}

export function montrer_vues(v) {
  const fautes = [...v.defauts, ...(v.couples ?? []).filter((c) => c.echec).map((c) => c.ligne)];
  $("lbl_echecs").textContent = fautes.join("\n");
  const bonnes = v.texte !== undefined && v.profil !== undefined;
  $("lieu_vues").classList.toggle("perimees", !bonnes);
  $("lieu_vues").setAttribute("aria-disabled", String(!bonnes));
  if (!bonnes) return;
  for (const a of adresses) URL.revokeObjectURL(a);
  adresses = [];
  const profil = image_svg(v.profil, "Profil du fuselage : vues de côté et de dessus");
  profil.id = "vue_profil";
  $("vue_profil").replaceWith(profil);
  $("vue_planches").replaceChildren(
    ...v.planches.map((p, k) => {
      const figure = document.createElement("figure");
      const cadre = document.createElement("div");
      cadre.className = "cadre-zoom";
      const image = image_svg(p.svg, p.legende);
      cadre.append(image);
      zooms[k] ??= etat_zoom();
      rendre_zoomable(cadre, image, zooms[k]);
      const legende = document.createElement("figcaption");
      legende.textContent = p.legende;
      figure.append(cadre, legende);
      return figure;
    }));
  $("lst_couples").replaceChildren(
    ...v.couples.map((c) => {
      const li = document.createElement("li");
      const lien = document.createElement("a");
      lien.textContent = c.ligne;
      lien.href = `index.html#${new URLSearchParams(c.champs)}`;
      if (c.echec) li.className = "echec";
      li.append(lien);
      return li;
    }));
  $("resume").textContent = v.resume;
}
