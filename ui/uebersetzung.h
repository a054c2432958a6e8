#pragma once

class QCoreApplication;

// Installs Qt's German translations (standard buttons "&Ja", "&Nein", "Abbrechen", and the
// help window's search).
// Returns false when the translation file is not installed; the program then runs with
// Qt's English texts.
bool DeutscheUebersetzungLaden(QCoreApplication &app);
