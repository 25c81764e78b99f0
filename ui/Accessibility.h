#pragma once

class QWidget;

// What assistive technology sees of the program's own widgets: the label buttons and the term
// list get interfaces of their own, through one factory.
namespace Accessibility {

// Installs the factory; safe to call more than once. Called before the first such widget exists,
// since a tool may ask for its interface as soon as it is made.
void install();

// Whether a tool may act on the widget: only where the mouse could, in a shown window with no
// message box above it.
bool reachable(const QWidget* widget);

} // namespace Accessibility
