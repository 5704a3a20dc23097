# Run after the page's link: ursa.js names its data package by the path it was built at; the
# page knows it as ursa.data beside it, and the build machine's folders stay out of the site.
# cmake -DSCRIPT=www/ursa.js -DDATA=/abs/www/ursa.data -P package_name.cmake
file(READ "${SCRIPT}" text)
string(REPLACE "${DATA}" "ursa.data" text "${text}")
file(WRITE "${SCRIPT}" "${text}")
