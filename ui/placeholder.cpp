// The window layer.
