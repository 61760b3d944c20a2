// Nothing of its own: the target exists to build the precompiled header the tests share.
