#!/usr/bin/env python3
"""Copies the game's item facts into the project as data/seed/game-items.tsv.

    python3 scripts/import-game-items.py <folder holding items.tsv and LICENSE.txt>

Run it only when the facts change; the build never reads them, only the
copy. It keeps the items of the catalogue's years, the world the item
registration dialog describes (15 jobs, level cap 75, no item levels):

  - category General, Usable, Armor or Weapon;
  - no item level;
  - an item number in the blocks the game used then: 0-2047, 4096-6143,
    12288-19455;
  - equipment (Armor, Weapon) of level 75 or below that one of the 15 jobs
    of the dialog (job bits 1 to 15) can wear;
  - the same for spell scrolls: one of the 15 jobs learns the spell at level
    75 or below. A scroll's English help text names who learns it and from
    which level ("WHM Lv.45 / PLD Lv.37 / RUN Lv.45"); scrolls of later jobs'
    spells and of spells beyond the cap are not copied.

and only the columns the seed generator reads. Which of these items the seed
catalogue then leaves out, and why, is the generator's business
(scripts/seedgen/LeaveOutRule.h). The facts' licence travels beside the copy
as data/seed/GAME-ITEMS-LICENSE.txt.
"""

import csv
import pathlib
import re
import shutil
import sys

COLUMNS = ["id", "name_ja", "category", "type", "skill", "slots", "races", "jobs",
           "level", "stack", "flags", "description_ja"]
CATEGORIES = {"General", "Usable", "Armor", "Weapon"}
BLOCKS = [(0, 2047), (4096, 6143), (12288, 19455)]
# The 15 jobs of the dialog: job bits 1 to 15, named as the help texts name them.
DIALOG_JOBS = ["WAR", "MNK", "WHM", "BLM", "RDM", "THF", "PLD", "DRK", "BST", "BRD",
               "RNG", "SAM", "NIN", "DRG", "SMN"]
DIALOG_JOB_BITS = sum(1 << bit for bit in range(1, len(DIALOG_JOBS) + 1))
LEVEL_CAP = 75
LEARNER = re.compile(r"\b([A-Z]{3}) Lv\.(\d+)")

HEADER = """\
# The game's items of the catalogue's years, one a line, tab-separated: the
# source of data/item.20041101.txt (scripts/seedgen). Copied by
# scripts/import-game-items.py from the item tables the Windower resources
# project extracted from the game's data files (BSD 3-clause licence, in
# GAME-ITEMS-LICENSE.txt beside this file); see that script for which items
# are kept. A line break in a description is written as the two characters \\n.
"""


def in_era(row):
    if row["category"] not in CATEGORIES or row["item_level"]:
        return False
    number = int(row["id"])
    if not any(first <= number <= last for first, last in BLOCKS):
        return False
    if row["category"] in ("Armor", "Weapon"):
        return int(row["level"] or 0) <= LEVEL_CAP and int(row["jobs"] or 0) & DIALOG_JOB_BITS != 0
    learners = LEARNER.findall(row["description_en"])
    if row["category"] == "Usable" and learners:
        return any(job in DIALOG_JOBS and int(level) <= LEVEL_CAP for job, level in learners)
    return True


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    facts = pathlib.Path(sys.argv[1])
    seed = pathlib.Path(__file__).resolve().parent.parent / "data" / "seed"

    with open(facts / "items.tsv", encoding="utf-8", newline="") as source:
        rows = [row for row in csv.DictReader(source, delimiter="\t", quoting=csv.QUOTE_NONE)
                if in_era(row)]
    rows.sort(key=lambda row: int(row["id"]))

    with open(seed / "game-items.tsv", "w", encoding="utf-8", newline="\n") as table:
        table.write(HEADER)
        table.write("\t".join(COLUMNS) + "\n")
        for row in rows:
            table.write("\t".join(row[column] for column in COLUMNS) + "\n")
    shutil.copyfile(facts / "LICENSE.txt", seed / "GAME-ITEMS-LICENSE.txt")
    print(f"kept {len(rows)} items in {seed / 'game-items.tsv'}")


if __name__ == "__main__":
    main()
