/* The same job in plain C stdio, dynamically linked: the yardstick for the program's start-up. */
#include <stdio.h>

int main(void) {
    int pierwsza = 0, druga = 0, trzecia = 0;
    puts(" Podaj trzy liczby, a ja dodam je do listy");
    fflush(stdout);
    if (scanf("%d %d %d", &pierwsza, &druga, &trzecia) != 3) {
        return 1;
    }
    printf(
        "Rozmiar listy: 3\nPierwszy element listy: %d\nDrugi element listy: %d\n"
        "Trzeci element listy: %d\n",
        pierwsza, druga, trzecia);
    return fflush(stdout) == 0 ? 0 : 1;
}
