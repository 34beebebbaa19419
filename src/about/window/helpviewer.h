#pragma once

#include <QString>

// The help file named "Vexdit.hlp" is shown from the HTML document of the
// same base name beside it ("Vexdit.html"), looked for in the working
// folder and then beside the program.
QString helpDocumentFor(const QString& helpFile);

// Shows the document's contents in the help window, without waiting.
// Returns false, and shows nothing, when there is no document.
bool showHelpContents(const QString& helpFile);
