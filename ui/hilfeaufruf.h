#pragma once

#include <functional>
#include <vector>

// Entry points for opening the help. Pages call these; the program installs the viewer at
// start-up, tests install a HilfeAttrappe. Without a viewer a request does nothing.
namespace Hilfe {

// Opens the help at a topic number (1010, 1040, ...).
void Hilfethema(int thema);
// Opens the full-text search page of the help.
void Hilfesuche();

struct Anzeiger
{
    std::function<void(int thema)> thema;
    std::function<void()> suche;
};
void AnzeigerSetzen(Anzeiger anzeiger);

} // namespace Hilfe

// While an instance lives, help requests are recorded instead of shown. Hilfesuche is
// recorded as topic -1.
class HilfeAttrappe
{
public:
    HilfeAttrappe();
    ~HilfeAttrappe();
    HilfeAttrappe(const HilfeAttrappe &) = delete;
    HilfeAttrappe &operator=(const HilfeAttrappe &) = delete;

    const std::vector<int> &themen() const { return m_themen; }
    void leeren() { m_themen.clear(); }

    // internal: called by the Hilfe functions
    void aufrufen(int thema) { m_themen.push_back(thema); }

private:
    std::vector<int> m_themen;
    HilfeAttrappe *m_vorher = nullptr;
};
