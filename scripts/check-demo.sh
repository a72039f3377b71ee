# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
## Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
!# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
/# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
u# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
s# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
/# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
b# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
n# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
/# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
n# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
v# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
b# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
s# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done

# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
## Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
C# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
c# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
k# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
s# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
u# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
p# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
u# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
s# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
c# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
p# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
s# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
/# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
m# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
.# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
s# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
(# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
g# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
v# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
n# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
)# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
:# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
u# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
p# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
w# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
n# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done

# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
## Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
u# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
g# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
w# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
u# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
u# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
,# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
n# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
c# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
s# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
s# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
w# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
s# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done

# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
## Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
u# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
p# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
'# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
s# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
w# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
s# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
w# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
s# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
w# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
m# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
'# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
s# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
b# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
.# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done

# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
s# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
-# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
u# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
p# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
p# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done

# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
g# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
=# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
$# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
1# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done

# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
(# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
)# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
{# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
c# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
m# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
c# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
c# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
k# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
:# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
$# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
*# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
># Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
&# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
2# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
;# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
x# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
1# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
;# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
}# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done

# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
g# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
p# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
-# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
q# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
F# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
p# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
p# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
y# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
$# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
g# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
&# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
&# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
n# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
c# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
v# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
p# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
p# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
y# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done

# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
g# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
p# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
-# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
q# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
F# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
s# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
p# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
p# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
:# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
3# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
k# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
$# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
g# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
|# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
|# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
c# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
v# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
s# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
w# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
n# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
p# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
p# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done

# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
## Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
T# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
s# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
u# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
s# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
p# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
n# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
b# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
u# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
p# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
n# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
n# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
p# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
n# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
.# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done

# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
b# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
=# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
$# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
(# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
w# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
k# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
'# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
/# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
^# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
=# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
=# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
p# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
m# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
-# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
c# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
-# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
-# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
-# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
m# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
s# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
u# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
s# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
/# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
{# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
n# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
+# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
+# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
}# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
n# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
=# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
=# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
1# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
'# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
$# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
g# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
)# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done

# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
=# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
$# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
(# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
w# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
k# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
'# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
/# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
^# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
=# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
=# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
p# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
m# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
-# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
c# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
-# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
-# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
-# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
m# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
s# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
u# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
s# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
/# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
{# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
n# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
+# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
+# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
}# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
n# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
=# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
=# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
2# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
'# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
$# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
g# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
)# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done

# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
n# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
P# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
A# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
F# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
_# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
F# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
U# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
L# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
L# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
.# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
P# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
A# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
F# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
_# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
T# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
H# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
O# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
U# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
R# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
G# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
H# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
F# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
A# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
R# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
E# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
.# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
P# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
A# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
F# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
_# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
P# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
O# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
S# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
T# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
Z# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
O# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
N# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
.# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
;# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done

# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
=# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
$# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
(# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
g# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
p# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
-# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
F# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
-# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
m# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
1# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
$# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
<# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
<# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
<# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
$# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
b# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
|# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
|# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
u# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
)# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done

# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
n# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
w# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
=# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
$# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
(# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
g# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
p# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
-# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
F# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
-# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
m# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
1# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
$# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
<# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
<# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
<# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
$# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
|# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
|# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
u# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
)# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done

# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
[# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
-# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
n# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
$# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
]# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
&# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
&# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
[# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
-# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
n# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
$# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
n# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
w# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
]# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
|# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
|# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
$# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
s# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
m# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
s# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
s# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
n# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
g# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
m# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
s# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
u# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
s# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done

# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
[# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
$# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
!# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
=# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
$# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
n# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
w# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
]# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
|# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
|# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
$# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
f# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
l# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
i# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
n# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
m# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
v# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
n# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
:# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
$# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
n# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
w# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done

# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
n# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done

# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
c# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
m# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
c# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
c# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
k# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
:# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
h# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
r# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
a# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
t# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
s# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
m# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
v# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
e# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
d# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
 # Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
o# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
n# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
"# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done

# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before")
mapfile -t new < <(grep "Last updated:" <<<"$after")
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
