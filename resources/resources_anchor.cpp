// The resource library needs one translation unit of its own; the resources
// themselves are compiled in by qt_add_resources.
namespace cipherly_resources {
int anchor = 0;
}
