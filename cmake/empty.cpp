// A library whose folder has no code yet.
