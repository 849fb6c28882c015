// replaced by the configuration document
