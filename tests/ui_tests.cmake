# placeholder: the window tests come next
