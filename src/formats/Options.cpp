#include "formats/Options.h"

Options Options::startupDefaults() {
    Options options;
    setModelDefaults(options.panel);
    return options;
}
