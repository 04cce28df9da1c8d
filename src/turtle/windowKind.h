#pragma once

class tSplitwindow;
class tlogopage;
class tmultiobject;

// The window kind ("new "window"): a window of its own on the desktop, a container of pages
// that shows one of them. Its class declares the common control properties (its corner on the
// desktop, the size of what it shows, "shown", "enabled" ...), "caption" and "activePage".
void declareWindowProperties(tmultiobject& windowClass);

// Shows the page (one of the window's own, or none): the window's "onHidePage" handler runs
// and is waited for while the page shown before is still shown, then "onShowPage" starts for
// the new one. Under the interpreter lock, in a process.
void showPageInWindow(tSplitwindow& window, tlogopage* page);

// A page was made in the window: it is shown when the window shows none yet (and awaits no
// other page), or when it is the page the window's creation list asked for.
void pageMadeInWindow(tSplitwindow& window, tlogopage& page);
