#pragma once

#include <QString>
#include <QWidget>

#include <functional>

// True when a top-level window with exactly this object name exists ("FMain", "FNueberK",
// "FKal", "FUpdate", "FZwischen", "FAbbild", "FFehlt", "FSystemtestpro", "FInfo").
bool FormularVorhanden(const QString &name);

// The window of that name, or nullptr.
QWidget *FormularSuchen(const QString &name);

// Opens a tool window: an existing window of that name is brought back from its minimised
// state, otherwise `erzeugen` creates it; then it is shown and brought to the front.
QWidget *FormularZeigen(const QString &name, const std::function<QWidget *()> &erzeugen);
