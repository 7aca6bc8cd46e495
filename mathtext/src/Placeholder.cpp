// Placeholder so the mathtext library has a source until its routines land.
// Remove once real sources exist.
namespace mathtext {}
