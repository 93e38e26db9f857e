// The page's worker: the core runs here, so that the page never waits on it.
// Each message {id, op, args} gets {id, resultat}, in the order received;
// a call that reports its progress gets {id, progression: [fait, total]}
// messages first.
import chargerBilobe from "./bilobe.js";

const noyau = chargerBilobe();

self.onmessage = async ({ data: { id, op, args, progression } }) => {
  const bilobe = await noyau;
  if (progression) args.push((fait, total) => self.postMessage({ id, progression: [fait, total] }));
  let resultat;
  try {
    resultat = bilobe[op](...args);
  } catch (e) {
    resultat = { erreur: "Erreur inattendue du programme : l'opération est abandonnée" };
  }
  const transferts = resultat && resultat.octets ? [resultat.octets.buffer] : [];
  self.postMessage({ id, resultat }, transferts);
};
