#pragma once

#include <QIcon>

// The camera of the screenshot buttons: from the desktop's icon theme when it has one, else
// drawn simply.
QIcon Kamerasymbol();
