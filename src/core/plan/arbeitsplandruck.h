#pragma once

class Arbeitsplan;
class Canvas;
class QString;

// Prints the plan in `schrift` at 12 points: "Seite n", the plan's caption and
// the head box on every page, then the rows until the foot; with `mitNotiz` a row's note
// follows on a line of its own. The caller begins and ends the print job.
void ArbeitsplanDrucken(Canvas& c, const Arbeitsplan& plan, const QString& schrift, bool mitNotiz);
