// Placeholder translation unit for a subsystem without sources of its own.
