// Placed first on the include path of every core library: cores stay free of widgets and GUI.
#error "Kern-Bibliothek ohne Widgets: dieser Kern darf weder QtWidgets noch QtGui einbinden."
