// The main window and start-up live here.
