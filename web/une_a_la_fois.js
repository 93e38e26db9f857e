// Work that the page redoes as the user types: one run at a time, and a
// request made meanwhile runs once more after it, so that the last run
// always sees the page as it is. `fini()` is called once none is left.
export function une_a_la_fois(travail, fini = () => {}) {
  let en_cours = false;
  let a_refaire = false;
  return async () => {
    if (en_cours) {
      a_refaire = true;
      return;
    }
    en_cours = true;
    do {
      a_refaire = false;
      await travail();
    } while (a_refaire);
    en_cours = false;
    fini();
  };
}
