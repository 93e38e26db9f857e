// The core, asked through its worker: each call a promise of its answer.
const travail = new Worker(new URL("travail.js", import.meta.url), { type: "module" });
const attentes = new Map();
let suivant = 0;

travail.onmessage = ({ data: { id, resultat } }) => {
  attentes.get(id)(resultat);
  attentes.delete(id);
};

export function demander(op, ...args) {
  return new Promise((resoudre) => {
    const id = suivant++;
    attentes.set(id, resoudre);
    travail.postMessage({ id, op, args });
  });
}
