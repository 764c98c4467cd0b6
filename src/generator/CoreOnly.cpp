// Links every object of the page generator against Qt Core alone; it is built, never run.
int main() {
    return 0;
}
