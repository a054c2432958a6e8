// Must not compile as part of a core library (checked by the test kern_ohne_widgets).
#include <QWidget>
