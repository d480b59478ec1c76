# placeholder: the window comes next
