// Keeps a layer library buildable while its folder holds no sources yet.
