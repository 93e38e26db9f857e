// The core, asked through its worker: each call a promise of its answer.
// A long call can report its progress, and be cancelled: the worker is then
// stopped and a fresh one takes its place.
let travail;
const attentes = new Map();
let suivant = 0;

function demarrer() {
  travail = new Worker(new URL("travail.js", import.meta.url), { type: "module" });
  travail.onmessage = ({ data: { id, resultat, progression } }) => {
    const attente = attentes.get(id);
    if (!attente) return;
    if (progression) {
      attente.progression?.(...progression);
      return;
    }
    attentes.delete(id);
    attente.resoudre(resultat);
  };
}
demarrer();

export function demander(op, ...args) {
  return demander_avec_progression(op, null, ...args);
}

// `progression(fait, total)` is called as the core goes; the call's last
// argument is the core's progress callback.
export function demander_avec_progression(op, progression, ...args) {
  return new Promise((resoudre) => {
    const id = suivant++;
    attentes.set(id, { resoudre, progression });
    travail.postMessage({ id, op, args, progression: progression !== null });
  });
}

// Stops what the core is doing; every call waiting gets `{annule: true}`.
export function annuler() {
  travail.terminate();
  for (const { resoudre } of attentes.values()) resoudre({ annule: true });
  attentes.clear();
  demarrer();
}

// The desktop's tooltips on the page's controls, by their names; each is
// also kept in `data-bulle`, for a control whose title says something else
// for a while.
export async function poser_bulles() {
  const controles = [...document.querySelectorAll("[id]")];
  const bulles = await Promise.all(controles.map((c) => demander("bulle", c.id)));
  controles.forEach((c, k) => {
    if (!bulles[k]) return;
    c.dataset.bulle = bulles[k];
    c.title = bulles[k];
  });
}
