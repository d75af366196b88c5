// Every header of Qt Gui includes this one first: in place of Qt's, it stops the build of a rule
// file that would include a picture, a colour, a font or a window.
#error "The game's rules build on QtCore alone; a Qt Gui header belongs in the windows' library."
