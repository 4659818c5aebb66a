// A library whose folder has no code yet, or a target that only precompiles headers.
