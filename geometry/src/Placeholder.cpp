// Placeholder so the geometry library has a source until its routines land.
// Remove once real sources exist.
namespace geometry {}
