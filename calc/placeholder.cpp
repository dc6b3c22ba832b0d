// Replaced by the calculator core.
