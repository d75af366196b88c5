// Every header of Qt Widgets includes this one first: in place of Qt's, it stops the build of a
// rule file that would include a widget.
#error "The game's rules build on QtCore alone; a widget belongs in the windows' library."
